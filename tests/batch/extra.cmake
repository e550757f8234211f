# The command-line suite runs the built wvx11; a small library makes allocations fail on purpose.
add_library(vx11_fail_alloc MODULE ${dir}/fail_alloc.c)
set_target_properties(vx11_fail_alloc PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                                                 COMPILE_OPTIONS "" LINK_OPTIONS "")
add_dependencies(test_${name} wvx11 vx11_fail_alloc)
target_compile_definitions(test_${name} PRIVATE VX11_FAIL_ALLOC="$<TARGET_FILE:vx11_fail_alloc>")

# The independent check: random connections written by a script of its own, rated by wvx11 /I.
add_test(NAME BatchDifferential.RandomConnections
         COMMAND /usr/bin/python3 ${dir}/differential.py --wvx11 $<TARGET_FILE:wvx11>
                 --tables ${VX11_DATA_BUILD_DIR} --count 400 --seed 6892)
