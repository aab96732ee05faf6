# Unity builds. A fresh build spends most of its time parsing the same
# standard, Qt and GoogleTest headers once per file; compiling a target's files
# in batches of a few at a time parses them once per batch instead. A file whose
# names would collide with a neighbour's, or that trips a compiler fault in a
# batch, is marked SKIP_UNITY_BUILD_INCLUSION where it is listed.
option(VANTIQ_UNITY_BUILD "Compile the libraries and test programs in batches of files" ON)
set(VANTIQ_UNITY_BATCH_SIZE 8 CACHE STRING "Files compiled together in a unity build")

# vantiq_unity(target): compiles `target`'s files in batches.
function(vantiq_unity target)
    if(VANTIQ_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES
            UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${VANTIQ_UNITY_BATCH_SIZE})
    endif()
endfunction()
