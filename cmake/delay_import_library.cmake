# Makes a delay-loaded import library of DLL from MinGW's ordinary one (IMPORTS): every function
# that one imports, loaded on first call instead of at start.
#   cmake -DNM=... -DDLLTOOL=... -DIMPORTS=libversion.a -DDLL=version -DOUT=... -P this file
execute_process(COMMAND ${NM} -g --defined-only ${IMPORTS}
  OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "__imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
list(TRANSFORM imports REPLACE "^__imp_" "")
list(REMOVE_DUPLICATES imports)
list(SORT imports)
list(JOIN imports "\n" exports)
get_filename_component(folder ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
get_filename_component(name ${OUT} NAME)
file(WRITE ${OUT}.def "LIBRARY ${DLL}.dll\nEXPORTS\n${exports}\n")
# dlltool names its symbols and members after the output path: a bare name, for the same bytes
# in every clone.
execute_process(COMMAND ${DLLTOOL} --input-def ${name}.def --output-delaylib ${name}
  --dllname ${DLL}.dll WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
