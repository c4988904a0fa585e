#pragma once
// What libhalvorn.so offers the application. The library is built with hidden visibility: only
// what carries HALVORN_API (and the version record the host reads) is exported.
#define HALVORN_API __attribute__((visibility("default")))
