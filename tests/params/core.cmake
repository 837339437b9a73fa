quillmark_add_gtest(param_catalogue_tests
    ParamTypeCatalogueTest.cpp
)
