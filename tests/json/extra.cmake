# The JSON tests run the real wvx11; the shipped schema is checked by Debian's jsonschema.
add_dependencies(test_${name} wvx11)
add_test(NAME json.schema_validates_results
  COMMAND /usr/bin/python3 ${dir}/check_json_schema.py $<TARGET_FILE:wvx11> ${CMAKE_SOURCE_DIR}/examples
          ${CMAKE_SOURCE_DIR}/examples/vx11-result.schema.json)
