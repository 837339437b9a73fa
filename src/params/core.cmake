target_sources(quillmark_core PRIVATE
    ParamTypeCatalogue.cpp
)
