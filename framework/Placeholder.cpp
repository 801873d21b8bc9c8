// Replaced by the portable class library.
