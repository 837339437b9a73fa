target_sources(quillmark_ui PRIVATE
    frmOptions.cpp
    OptionsCommand.cpp
)
