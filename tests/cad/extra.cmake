# The independent IGES reader of the CAD tests, built on OpenCASCADE's data exchange module.
find_path(VX11_OCCT_INCLUDE IGESControl_Reader.hxx PATH_SUFFIXES opencascade)
find_library(VX11_OCCT_TKIGES TKIGES)
if(VX11_OCCT_INCLUDE AND VX11_OCCT_TKIGES)
  add_executable(vx11_iges_check ${dir}/occt/iges_check.cpp)
  target_include_directories(vx11_iges_check SYSTEM PRIVATE ${VX11_OCCT_INCLUDE})
  # An outside reader: built without the sanitizers, whose leak check would report the library's own.
  set_target_properties(vx11_iges_check PROPERTIES COMPILE_OPTIONS "" LINK_OPTIONS "")
  target_compile_options(vx11_iges_check PRIVATE -Wno-deprecated-declarations)
  target_link_libraries(vx11_iges_check PRIVATE TKIGES TKXSBase TKShHealing TKTopAlgo TKGeomBase TKBRep TKG3d TKG2d
                                                TKMath TKernel)
  add_dependencies(test_${name} vx11_iges_check)
  target_compile_definitions(test_${name} PRIVATE VX11_IGES_CHECK="$<TARGET_FILE:vx11_iges_check>")
else()
  message(STATUS "OpenCASCADE IGES reader not found: the IGES reader test of test_${name} is skipped")
endif()
