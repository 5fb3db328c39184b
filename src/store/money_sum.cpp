#include "store/money_sum.h"

#include <sqlite3.h>

namespace {

struct SumState {
    sqlite3_int64 exact;
    double approximate;
    bool any;
    bool outOfRange; // overflowed, or met a value that is not a whole number
};

void step(sqlite3_context *context, int, sqlite3_value **args) {
    const int type = sqlite3_value_numeric_type(args[0]);
    if (type == SQLITE_NULL)
        return;
    // Zero-filled on first use.
    auto *state = static_cast<SumState *>(sqlite3_aggregate_context(context, sizeof(SumState)));
    if (!state) {
        sqlite3_result_error_nomem(context);
        return;
    }
    state->any = true;
    if (type == SQLITE_INTEGER) {
        const sqlite3_int64 value = sqlite3_value_int64(args[0]);
        state->approximate += double(value);
        if (!state->outOfRange && __builtin_add_overflow(state->exact, value, &state->exact))
            state->outOfRange = true;
    } else {
        state->approximate += sqlite3_value_double(args[0]);
        state->outOfRange = true;
    }
}

void finish(sqlite3_context *context) {
    const auto *state = static_cast<SumState *>(sqlite3_aggregate_context(context, 0));
    if (!state || !state->any)
        sqlite3_result_null(context);
    else if (state->outOfRange)
        sqlite3_result_double(context, state->approximate);
    else
        sqlite3_result_int64(context, state->exact);
}

} // namespace

bool addMoneySum(sqlite3 *db) {
    return db && sqlite3_create_function_v2(db, "money_sum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                            nullptr, nullptr, step, finish, nullptr) == SQLITE_OK;
}
