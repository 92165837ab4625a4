# Unity builds of the libraries: each library compiles its sources in batches
# of eight, so that the Qt and standard headers are read, and their inline code
# compiled, once a batch instead of once a file: a clean build of the libraries
# takes about a third of the CPU time (README, "Instalar"). On by default, so
# that two files of a library whose file-local helpers share a name (a clash
# only within a batch) show in every build, not first in ./test; such a file is
# listed below, or its helper renamed. Editing one file recompiles its batch;
# -DORTOPLANO_UNITY_BUILD=OFF compiles file by file.
option(ORTOPLANO_UNITY_BUILD "Compile each library's sources in batches (faster clean builds)" ON)
if(NOT ORTOPLANO_UNITY_BUILD)
    return()
endif()
foreach(library interpreter exact practice textrules typeset board forms topics worksheet shell)
    set_target_properties(ortoplano_${library} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endforeach()
# Files whose file-local names meet a namesake of another file of the batch.
foreach(source exact/objects.cpp exact/pointsolutions.cpp exact/trianglesolutions.cpp
        practice/lines4frames.cpp worksheet/sheetdocument.cpp worksheet/sheetflow.cpp)
    get_filename_component(folder ${PROJECT_SOURCE_DIR}/${source} DIRECTORY)
    set_source_files_properties(${PROJECT_SOURCE_DIR}/${source} DIRECTORY ${folder}
        PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
endforeach()
