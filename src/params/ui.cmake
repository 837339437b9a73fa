target_sources(quillmark_ui PRIVATE
    ParamListModel.cpp
    ParamListView.cpp
    ParameterList.cpp
    TwipsGeometry.cpp
    frmParamAdd.cpp
)
