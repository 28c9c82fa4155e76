# The effect writer's sources, for its Windows build (tools/) and its host build (tools/host).
set(VG_EFFECT_WRITER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EffectBuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectManifest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectStates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EffectTokens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fx2Writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShaderBytecode.cpp
)
