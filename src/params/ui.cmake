target_sources(quillmark_ui PRIVATE
    ParamListHeader.cpp
    ParamListModel.cpp
    ParamListView.cpp
    ParameterList.cpp
    frmParamAdd.cpp
)
