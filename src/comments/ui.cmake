# The clipboard hand-over and the free-text dialog need a display.
target_sources(quillmark_ui PRIVATE
    CopyOperation.cpp
    frmFreeComments.cpp
)
