# Initial cache of the sanitizer build, `cmake -C cmake/Sanitizers.cmake`: the program
# and every test program built with g++ under AddressSanitizer (LeakSanitizer with it)
# and UndefinedBehaviorSanitizer, where any undefined behaviour ends the program.
# The options the runs take are given by `make test`.
set(CMAKE_CXX_COMPILER g++ CACHE STRING "")
set(BRINELL_SANITIZE "-fsanitize=address,undefined -fno-sanitize-recover=undefined")
set(CMAKE_CXX_FLAGS "${BRINELL_SANITIZE} -fno-omit-frame-pointer" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "${BRINELL_SANITIZE}" CACHE STRING "")
set(CMAKE_SHARED_LINKER_FLAGS "${BRINELL_SANITIZE}" CACHE STRING "")
