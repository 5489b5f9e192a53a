# The layers of the program, from the bottom: text, form, generators, ui, ui/win32. Each is a
# folder and a library, and each library links only the layers below it.
#
# shopcode_layer_headers(<target> <folder> <include-as>): the headers of <folder> (that folder
# alone, not its subfolders) become includable as "<include-as>/<name>" by the target and by
# whatever links it, and by nothing else. So an include of a layer above fails to compile: no
# header of that layer is on the include path. A header is reached through a one-line
# forwarding header in the build tree, since the folders nest (ui/win32 inside ui) and a shared
# include root would show every layer to every other.
function(shopcode_layer_headers target folder include_as)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h ${folder}/*.inc)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CONFIGURE OUTPUT ${root}/${include_as}/${name} CONTENT "#include \"${header}\"\n")
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
