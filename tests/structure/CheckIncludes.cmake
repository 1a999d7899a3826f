# Dependencies point one way: windows -> logic -> platform interfaces. Only the main window
# (and main.cpp) may include the main window's folder, and the rows, the platform interfaces
# and the common helpers include nothing of the subsystems above them; nothing outside the
# platform layer reaches into a platform's own folder, and the platform's logic includes none
# of its widgets.
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
        if(included MATCHES "^mainwindow/" AND NOT source MATCHES "^(mainwindow/|main\\.cpp)")
            list(APPEND faults "${source} includes ${included}")
        endif()
        if(source MATCHES "^(rows|platform|common)/"
           AND included MATCHES "^(mainwindow|collect|rules|rename|about)/")
            list(APPEND faults "${source} includes ${included}")
        endif()
        # The logic's library links no widgets: platform code outside a widgets folder
        # includes none of a widgets folder.
        if(source MATCHES "^platform/" AND NOT source MATCHES "/widgets/"
           AND included MATCHES "widgets/")
            list(APPEND faults "${source} includes ${included}")
        endif()
        # A bare name is a header beside the source; any other comes from the chosen platform
        # folder through the include path, which only the platform layer may use.
        get_filename_component(folder "${source}" DIRECTORY)
        if(NOT included MATCHES "/" AND NOT source MATCHES "^platform/"
           AND NOT EXISTS "${SOURCE_DIR}/${folder}/${included}")
            list(APPEND faults "${source} includes ${included} from a platform folder")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "includes against the direction of the layers:\n${text}")
endif()
