#pragma once

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif
// The caller's in-memory stream: GetSkin hands the skin data to write(), possibly in pieces.
struct TallybeeSkinStream {
    void *context;
    void (*write)(void *context, const char *data, unsigned long size);
};
// Writes the skin called name into stream; true when the skin was delivered.
bool GetSkin(const char *name, struct TallybeeSkinStream *stream);
#ifdef __cplusplus
}
#endif
