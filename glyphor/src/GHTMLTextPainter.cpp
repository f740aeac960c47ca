// Formatted-text painter; filled in with the formatted-text controls.
