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
file(WRITE ${OUT}.def "LIBRARY ${DLL}.dll\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${OUT}.def --output-delaylib ${OUT}
  --dllname ${DLL}.dll COMMAND_ERROR_IS_FATAL ANY)
