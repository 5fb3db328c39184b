#include "store/vector_state.h"

#include <sqlite3.h>

#if defined(__x86_64__) || defined(__i386__)

namespace {

__attribute__((target("avx"))) int clearUpperHalves(void *) {
    __builtin_ia32_vzeroupper();
    return 0; // go on
}

} // namespace

void clearVectorStateWhileRunning(sqlite3 *db) {
    // True only where the processor and the system both keep the AVX state.
    static const bool avx = __builtin_cpu_supports("avx");
    if (db && avx)
        sqlite3_progress_handler(db, 1000, clearUpperHalves, nullptr);
}

#else

void clearVectorStateWhileRunning(sqlite3 *) {}

#endif
