#pragma once
// ZUMEO_ADDRESS_SANITIZER: 1 in a build under the address sanitizer, which
// gcc names with a macro and clang with a feature; 0 else.

#if defined(__SANITIZE_ADDRESS__)
#define ZUMEO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZUMEO_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef ZUMEO_ADDRESS_SANITIZER
#define ZUMEO_ADDRESS_SANITIZER 0
#endif
