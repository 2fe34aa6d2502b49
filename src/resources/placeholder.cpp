// The string table and the compiled-in artwork live in this library.
