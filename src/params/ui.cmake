target_sources(quillmark_ui PRIVATE
    ParamListModel.cpp
    ParamListView.cpp
    ParameterList.cpp
    frmParamAdd.cpp
)
