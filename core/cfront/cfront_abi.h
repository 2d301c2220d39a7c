/* The thirteen entry points of the database access library, as C types.
 * Shared by the program's loader (core/cfront) and the library itself, so
 * both sides agree on every argument. Tables and records are known by
 * opaque 32-bit handles that the library hands out. Each exported name
 * carries the entry's ordinal number. */
#ifndef QUINTAREL_CFRONT_ABI_H
#define QUINTAREL_CFRONT_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t CFHandle;

/* 3: starts the library's use; called once before any other call. */
typedef int32_t (*CFInitFn)(void);
/* 12: opens table TableNo into *Table. */
typedef int32_t (*CFOpenTableFn)(CFHandle *Table, int32_t TableNo);
/* 65: a record handle for the table. */
typedef CFHandle (*CFAllocRecordFn)(CFHandle Table);
/* 36: the type code of a field, handed on to ordinal 41. */
typedef int32_t (*CFFieldTypeFn)(CFHandle Table, int32_t Field);
/* 41: the record's field takes the value of Size bytes at Value. */
typedef int32_t (*CFAssignFieldFn)(CFHandle Table, CFHandle Record, int32_t Field,
                                   int32_t FieldType, const void *Value, int32_t Size);
/* 1: called with the search mode constant right before every ordinal 16. */
typedef int32_t (*CFSetSearchModeFn)(int32_t Mode);
/* 16: "=" finds the record whose key fields equal those set, "-" the first;
 * non-zero when a record was found and loaded. */
typedef int32_t (*CFFindRecordFn)(CFHandle Table, CFHandle Record, const char *SearchText);
/* 17: steps Steps records on; non-zero when a further record was reached. */
typedef int16_t (*CFNextRecordFn)(CFHandle Table, CFHandle Record, int32_t Steps);
/* 44: copies a field of the loaded record into Buffer: the four bytes of an
 * integer when Size is 4, a NUL-terminated text when Size is 251. */
typedef int32_t (*CFGetFieldDataFn)(void *Buffer, int32_t Size, CFHandle Table, CFHandle Record,
                                    int32_t Field);
/* 89: makes the named licence file the active licence. */
typedef int32_t (*CFSetLicenseFileFn)(const char *FileName);
/* 66: releases a record handle. */
typedef int32_t (*CFFreeRecordFn)(CFHandle Record);
/* 14: closes a table. */
typedef int32_t (*CFCloseTableFn)(CFHandle Table);
/* 4: ends the library's use; called once, last of all. */
typedef int32_t (*CFDoneFn)(void);

/* Not one of the thirteen: our stand-in's own report on its licence, which
 * the ERP's library doesn't have. Item CF_LICENCE_STATE answers one of the
 * CF_LICENCE_* states and leaves Buffer alone; the other items copy a text
 * into Buffer (at most Size - 1 bytes and a NUL) and answer the text's full
 * length in bytes, so a caller can ask again with a larger buffer. An
 * unknown item answers -1. */
typedef int32_t (*CFLicenceStatusFn)(int32_t Item, char *Buffer, int32_t Size);

#define CF_LICENCE_STATE 0      /* the state of the active licence */
#define CF_LICENCE_FILE 1       /* its file's full path; empty for none */
#define CF_LICENCE_PROBLEM 2    /* why it is broken (CF_LICENCE_BROKEN); else empty */
#define CF_LICENCE_LAST_ERROR 3 /* why the last ordinal 89 failed; empty after a success */

#define CF_LICENCE_NONE 0             /* no licence is active */
#define CF_LICENCE_LOADED 1           /* a licence file is active */
#define CF_LICENCE_INFORMATION_ONLY 2 /* a file written by the ERP: text, no permissions */
#define CF_LICENCE_BROKEN 3           /* the licence read at start can't be used: empty */

/* The value that ordinal 1 is always called with. */
#define CF_SEARCH_MODE 85132272

#define CF_PERMISSION_TABLE 2000000043
#define CF_INFORMATION_TABLE 2000000040

#ifdef __cplusplus
}
#endif

#endif
