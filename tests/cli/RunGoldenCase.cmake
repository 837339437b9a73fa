# Runs one golden case through quillmark-block: cmake -DTOOL= -DCASE= -DSETTINGS= -DWORK= -P
cmake_minimum_required(VERSION 3.25)
get_filename_component(name ${CASE} NAME)
file(MAKE_DIRECTORY ${WORK})
set(out ${WORK}/${name}.out)

set(args --settings ${SETTINGS} --input ${CASE}.json)
set(stdin_file /dev/null)
if(EXISTS ${CASE}.decl)
    list(APPEND args --from-declaration -)
    set(stdin_file ${CASE}.decl)
endif()
set(extra "")
if(EXISTS ${CASE}.args)
    file(STRINGS ${CASE}.args extra)
    list(APPEND args ${extra})
endif()

# <case>.env: settings for `cmake -E env`, one a line, such as the locale to run under.
set(launcher "")
if(EXISTS ${CASE}.env)
    file(STRINGS ${CASE}.env env_settings)
    set(launcher ${CMAKE_COMMAND} -E env ${env_settings})
endif()

execute_process(COMMAND ${launcher} ${TOOL} ${args} INPUT_FILE ${stdin_file} OUTPUT_FILE ${out}
                ERROR_VARIABLE err RESULT_VARIABLE status)
file(READ ${out} out_hex HEX)

if(EXISTS ${CASE}.error)
    file(READ ${CASE}.error expected_error)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "${name}: exit status ${status}, expected 2 (stderr: ${err})")
    endif()
    if(NOT out_hex STREQUAL "")
        message(FATAL_ERROR "${name}: bad input must leave standard output empty")
    endif()
    if(NOT err STREQUAL expected_error)
        message(FATAL_ERROR "${name}: stderr\n  ${err}expected\n  ${expected_error}")
    endif()
    return()
endif()

if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name}: exit status ${status}: ${err}")
endif()
file(READ ${CASE}.expected expected_hex HEX)
if(NOT out_hex STREQUAL expected_hex)
    message(FATAL_ERROR "${name}: output differs from ${CASE}.expected (see ${out}; "
                        "diff it with cmp -l or diff)")
endif()

# Round trip: read the block back and generate it again (not for outputs that carry the
# declaration after the block).
if("--keep-declaration" IN_LIST extra)
    return()
endif()
set(eol_args "")
if("lf" IN_LIST extra)
    set(eol_args --eol lf)
endif()
execute_process(COMMAND ${launcher} ${TOOL} --settings ${SETTINGS} --read-block --input ${out}
                OUTPUT_FILE ${WORK}/${name}.read.json ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name}: --read-block failed with ${status}: ${err}")
endif()
execute_process(COMMAND ${launcher} ${TOOL} --settings ${SETTINGS} --input ${WORK}/${name}.read.json ${eol_args}
                OUTPUT_FILE ${WORK}/${name}.again ERROR_VARIABLE err RESULT_VARIABLE status)
file(READ ${WORK}/${name}.again again_hex HEX)
if(NOT status EQUAL 0 OR NOT again_hex STREQUAL expected_hex)
    message(FATAL_ERROR "${name}: generate -> --read-block -> generate changed the block "
                        "(${WORK}/${name}.read.json, ${WORK}/${name}.again): ${err}")
endif()
