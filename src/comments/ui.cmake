# The copy operation's free-text round trip needs no display; the clipboard hand-over and the
# free-text dialog do.
target_sources(quillmark_core PRIVATE
    FreeTextLines.cpp
)
target_sources(quillmark_ui PRIVATE
    CopyOperation.cpp
    frmFreeComments.cpp
)
