# Species list and glossary: the species data and the botanical-name splitter (core); the
# portrait, the browser, the species list window and the glossary window (gui).
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Aw_BotName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_ArtenBrowserDM.cpp)
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_PflanzenBrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_ArtPortraitAnzeige.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_ArtenBrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_ArtenlistenForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_GlossarUnit.cpp)
