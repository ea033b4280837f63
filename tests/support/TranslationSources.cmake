# The sources whose texts the editor's translations cover, relative to the source tree.
set(DISHLINE_TRANSLATED_SOURCES ui forms channellist shell rescan export
    import/ModificationDateDialog.h import/ModificationDateDialog.cpp)
set(DISHLINE_LUPDATE_OPTIONS -locations none -no-ui-lines -extensions cpp,h -I .)
