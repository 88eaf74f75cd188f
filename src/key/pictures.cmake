# Criterion illustration index: the module over the structure tables KRS_* (core).
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/VD_StrukturDM.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VD_StrukturDM.h
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_StrukturDM.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_StrukturDM.h)
