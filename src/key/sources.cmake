# Identification key model: keys and criteria, the catalogue, the criteria selection
# structure and query construction (core).
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KR_DatenBankFeld.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_DatenbankItemListe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Datenbankfeld.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Kriteriengruppe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Definition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR_FlagOut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Aw_FlagOut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Flagoutstuktur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Abfrageliste.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/pictures.cmake OPTIONAL)
