/* The shared library's own translation unit. Everything the plug-in does lives in the
   plugin layer linked in whole; this file exists because a library target needs one. */
typedef int ixLibraryEntryUnused;
