# The stand-ins that start-up rests on: registry hives, engine configuration, engine session.
include_guard(GLOBAL)
target_sources(verdan_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/EngineConfig.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrivateDirLock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegistryRoot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Session.cpp)
