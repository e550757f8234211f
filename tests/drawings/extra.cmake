# The IGES files of the drawings go through the independent IGES reader of the CAD tests.
if(TARGET vx11_iges_check)
  add_dependencies(test_${name} vx11_iges_check)
  target_compile_definitions(test_${name} PRIVATE VX11_IGES_CHECK="$<TARGET_FILE:vx11_iges_check>")
endif()
