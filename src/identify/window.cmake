# Identification window (gui).
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Bestimmungsformular.cpp)
