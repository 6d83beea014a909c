// Timing limits in tests are bounds that catch a wrong algorithm or a busy
// loop, not a slow machine: they are scaled for the sanitizer build, which
// runs several times slower and shares two cores with other work. The tight
// figures are measured in bench/.
#pragma once

#ifdef VOLMAREN_SANITIZED
inline constexpr int kSlowdown = 10;
#else
inline constexpr int kSlowdown = 1;
#endif
