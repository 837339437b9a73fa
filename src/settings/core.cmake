target_sources(quillmark_core PRIVATE
    FileIdentity.cpp
    LeadingNumber.cpp
    ProfileCache.cpp
    ProfileDocument.cpp
    ProfileFile.cpp
    ProfileLineCodec.cpp
    ProfileLocation.cpp
    ProfileLock.cpp
    ProfileParser.cpp
    ProfileSyntax.cpp
    ProfileWriter.cpp
    RegIni.cpp
    RegistryNames.cpp
    RegistryStore.cpp
    SettingsLayout.cpp
    SystemFolders.cpp
)
