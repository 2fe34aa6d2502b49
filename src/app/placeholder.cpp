// The application shell's widgets live in this library.
