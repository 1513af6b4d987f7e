// Emscripten 3.1.6 hands node's utimesSync milliseconds where node takes seconds, so every time a
// test sets on a file under node (NODERAWFS) lands in 2038. The browser's own file systems take
// milliseconds and need no such help.
if (typeof FS !== 'undefined' && FS.utime) {
    const utimeInMilliseconds = FS.utime;
    FS.utime = (path, atime, mtime) => utimeInMilliseconds(path, atime / 1000, mtime / 1000);
}
