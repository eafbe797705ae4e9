#pragma once

// Whether this program was built with AddressSanitizer. Its shadow memory (an
// eighth of every allocation, touched when the allocation is made) and its
// quarantine of freed memory make resident memory much larger and growing, so
// memory bounds differ in such builds.
#if defined(__SANITIZE_ADDRESS__)
#define KESTRUN_TESTS_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRUN_TESTS_UNDER_ASAN 1
#endif
#endif

namespace reliability {

#ifdef KESTRUN_TESTS_UNDER_ASAN
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

}  // namespace reliability
