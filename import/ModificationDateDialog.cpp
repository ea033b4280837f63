// The modification date dialog.
