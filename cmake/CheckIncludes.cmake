# Fails when the program's files depend on each other the wrong way round:
#  - a file that includes a header of a folder it may not use;
#  - two headers that include each other;
#  - two classes (a header with its source) each of which includes the
#    other's header, where neither header builds on the other: each needs the
#    other, and neither can be read, built or tested alone.
#
#   cmake -DSOURCE_DIR=<the source tree> -P cmake/CheckIncludes.cmake
#
# Each folder lists the folders whose headers it may include besides its own;
# every dependency points one way, from the shell down to the interpreter.

cmake_minimum_required(VERSION 3.22)

set(uses_interpreter "")
set(uses_exact interpreter)
set(uses_practice exact interpreter)
set(uses_language practice exact interpreter)
set(uses_textrules exact interpreter)
set(uses_typeset language textrules practice exact interpreter)
set(uses_board typeset language textrules exact interpreter)
set(uses_forms board typeset language textrules exact interpreter)
set(uses_topics forms practice board typeset language textrules exact interpreter)
set(uses_worksheet practice topics forms board typeset language textrules exact interpreter)
set(uses_shell worksheet practice topics forms board typeset language textrules exact interpreter)
set(folders interpreter exact practice language textrules typeset board forms topics worksheet shell)


# Where each file lives: folder_of_<file name> = folder.
foreach(folder IN LISTS folders)
    file(GLOB files RELATIVE ${SOURCE_DIR}/${folder} ${SOURCE_DIR}/${folder}/*.h
         ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(name IN LISTS files)
        if(DEFINED folder_of_${name})
            message(SEND_ERROR "${name} is in both ${folder_of_${name}}/ and ${folder}/")
        endif()
        set(folder_of_${name} ${folder})
        list(APPEND all_files ${folder}/${name})
    endforeach()
endforeach()

set(faults 0)
foreach(path IN LISTS all_files)
    get_filename_component(folder ${path} DIRECTORY)
    get_filename_component(unit ${path} NAME_WE)
    file(STRINGS ${SOURCE_DIR}/${path} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
        if(NOT DEFINED folder_of_${included})
            continue() # generated (moc) or outside the program's folders
        endif()
        set(there ${folder_of_${included}})
        get_filename_component(other ${included} NAME_WE)
        if(NOT there STREQUAL folder AND NOT there IN_LIST uses_${folder})
            message(SEND_ERROR "${path} includes ${there}/${included}: ${folder}/ may not use ${there}/")
            math(EXPR faults "${faults} + 1")
        endif()
        if(NOT "${there}/${other}" STREQUAL "${folder}/${unit}")
            set(edge_${folder}/${unit}_${there}/${other} TRUE)
            list(APPEND edges "${folder}/${unit}>${there}/${other}")
            if(path MATCHES "\\.h$")
                set(header_${folder}/${unit}_${there}/${other} TRUE)
            endif()
        endif()
    endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
foreach(edge IN LISTS edges)
    string(REPLACE ">" ";" ends "${edge}")
    list(GET ends 0 from)
    list(GET ends 1 to)
    if(NOT DEFINED edge_${to}_${from} OR NOT from STRLESS to)
        continue()
    endif()
    if(DEFINED header_${from}_${to} AND DEFINED header_${to}_${from})
        message(SEND_ERROR "${from}.h and ${to}.h include each other")
        math(EXPR faults "${faults} + 1")
    elseif(NOT DEFINED header_${from}_${to} AND NOT DEFINED header_${to}_${from})
        message(SEND_ERROR "${from} and ${to} include each other's headers")
        math(EXPR faults "${faults} + 1")
    endif()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) against the folders' order")
endif()
list(LENGTH all_files count)
message(STATUS "${count} files include only what their folders may use, and none each other")
