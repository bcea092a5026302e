# Warning and conversion rules shared by every target of the project.
add_library(quillon_options INTERFACE)
target_compile_options(quillon_options INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>
    $<$<CXX_COMPILER_ID:MSVC>:/W4 /utf-8>)
# Every conversion between bytes and text must be deliberate: the tools' files are
# single-byte and have to survive byte for byte.
target_compile_definitions(quillon_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QUILLON_VERSION="${PROJECT_VERSION}")
# In Debug builds (the tests') an index past the end of a standard container stops the
# program at once, instead of reading whatever lies beside it.
target_compile_definitions(quillon_options INTERFACE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)

if(QUILLON_SANITIZE)
    target_compile_options(quillon_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quillon_options INTERFACE -fsanitize=address,undefined)
endif()
