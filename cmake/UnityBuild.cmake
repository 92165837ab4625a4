# Unity builds: each library on Qt Widgets compiles its sources in batches of
# eight, so that the Qt headers are read, and their inline code compiled, once a
# batch instead of once a file (README, "Instalar", has the figures). On by
# default, so that a clash between the file-local helpers of two files of a
# batch shows in every build, not first in ./test: such a file is listed below,
# or its helper renamed. Editing one file recompiles its batch;
# -DORTOPLANO_UNITY_BUILD=OFF compiles file by file.
option(ORTOPLANO_UNITY_BUILD "Compile each library's sources in batches (faster clean builds)" ON)
if(NOT ORTOPLANO_UNITY_BUILD)
    return()
endif()
# The libraries on Qt Widgets, where the headers cost most; the plain C++ ones
# (interpreter, exact, practice, textrules) compile file by file.
foreach(library board forms topics worksheet shell)
    set_target_properties(ortoplano_${library} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endforeach()
# Files left out of the batches: a function of file scope that another file of
# the library defines or calls by the same name, where a batch would make the
# two meet (a clash, or a quiet change of which overload a call takes).
foreach(source board/datafigure.cpp board/renderer.cpp
        forms/equationsampler.cpp forms/formwindow.cpp forms/framebuilder.cpp
        forms/messages.cpp forms/pressrecord.cpp forms/problemform.cpp
        topics/circlereader.cpp topics/circles2form.cpp topics/lines4form.cpp
        topics/topictable.cpp
        worksheet/composer.cpp worksheet/odtfile.cpp worksheet/sheetflow.cpp
        worksheet/sheetdocument.cpp
        shell/commandline.cpp shell/helpcontent.cpp shell/shell.cpp)
    get_filename_component(folder ${PROJECT_SOURCE_DIR}/${source} DIRECTORY)
    set_source_files_properties(${PROJECT_SOURCE_DIR}/${source} DIRECTORY ${folder}
        PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
endforeach()
