# Every text of the sources has a finished translation in every .ts file: the files are brought up
# to date with the sources in a copy, and no entry of the copy may be unfinished, empty or
# vanished. Run by CTest with LUPDATE, SOURCE_DIR and WORK_DIR set.
file(GLOB ts_files "${SOURCE_DIR}/translations/*.ts")
if(NOT ts_files)
    message(FATAL_ERROR "no .ts files in ${SOURCE_DIR}/translations")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failed "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK_DIR}/${name}")
    file(COPY_FILE "${ts}" "${copy}")
    execute_process(
        COMMAND "${LUPDATE}" -silent -locations none items history scene boardfile app -ts "${copy}"
        WORKING_DIRECTORY "${SOURCE_DIR}"
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
        list(APPEND failed "${name}: lupdate failed (${result})")
        continue()
    endif()
    file(READ "${copy}" content)
    foreach(mark IN ITEMS "type=\"unfinished\"" "type=\"vanished\"" "type=\"obsolete\""
                          "<translation></translation>")
        string(FIND "${content}" "${mark}" at)
        if(NOT at EQUAL -1)
            list(APPEND failed "${name}: ${mark}")
        endif()
    endforeach()
endforeach()
if(failed)
    list(JOIN failed "\n" report)
    message(FATAL_ERROR "translations not complete:\n${report}\n"
                        "Run the build's update_translations target and translate the new texts.")
endif()
message(STATUS "every translation complete: ${ts_files}")
