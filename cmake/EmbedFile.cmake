# Compiles a file's bytes into a program: xs_embed_file(TARGET FILE FUNCTION)
# adds to TARGET a generated source that defines
#   std::string_view xs::FUNCTION();
# returning the file's bytes exactly as stored (no conversion of any kind).
# The source is written when CMake configures, and a change of the file
# makes the build configure again; so only CMake itself reads the file, and
# cross builds need no program built for the host.
function(xs_embed_file target input function)
  file(READ "${input}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 16 line)  # CMake's expressions have no {n}
  string(REGEX REPLACE "(${line})" "\\1\n  " bytes "${bytes}")
  get_filename_component(name "${input}" NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${function}.cpp)
  file(WRITE "${output}.new"
    "// Generated from ${name} when the build was configured; edit that file instead.\n"
    "#include <string_view>\n\n"
    "namespace xs {\n"
    "namespace {\n"
    "// A terminating zero keeps the array non-empty for an empty file.\n"
    "const unsigned char kBytes[] = {\n  ${bytes}0x00};\n"
    "}  // namespace\n\n"
    "std::string_view ${function}() {\n"
    "  return std::string_view(reinterpret_cast<const char*>(kBytes), sizeof(kBytes) - 1);\n"
    "}\n\n"
    "}  // namespace xs\n")
  # Rewritten only when it changed, so an unchanged file causes no rebuild.
  configure_file("${output}.new" "${output}" COPYONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${input}")
  target_sources(${target} PRIVATE ${output})
endfunction()
