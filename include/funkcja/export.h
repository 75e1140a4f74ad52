/* Symbol visibility of the public interfaces. Everything else in the library is hidden. */
#ifndef FUNKCJA_EXPORT_H
#define FUNKCJA_EXPORT_H

#if defined(_WIN32)
#define FK_API __declspec(dllexport)
#else
#define FK_API __attribute__((visibility("default")))
#endif

#endif
