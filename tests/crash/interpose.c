// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded with LD_PRELOAD into the crash driver: records the file system calls it makes under one
// folder (TALLIVANT_CALLS_ROOT) into a log (TALLIVANT_CALLS_LOG), and kills it with SIGKILL at its
// Nth call there that changes the disk or waits for it (TALLIVANT_CALLS_KILL_AT=N), counting from
// the driver's mark "begin". Only what a call did is logged: a failed call changed nothing.
//
// A log record is one line "<kind> <fd> <number> <size a> <size b> <size data>" followed by the
// bytes of path a, path b and the data, so that any name or content reads back as written.
#define _GNU_SOURCE
#undef _FORTIFY_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

// glibc's entry points for open() when the compiler checks its arguments (_FORTIFY_SOURCE).
int __open_2(const char* path, int flags);
int __open64_2(const char* path, int flags);
int __openat_2(int dirfd, const char* path, int flags);
int __openat64_2(int dirfd, const char* path, int flags);

#define MAX_FDS 4096

static char* root;
static size_t rootLength;
static int logFd = -1;
static long killAt;
static long counted;
static int begun;
// The path each open descriptor under the root was opened with.
static char* fdPaths[MAX_FDS];
static pthread_mutex_t logLock = PTHREAD_MUTEX_INITIALIZER;

// The next definition of a function: glibc's (or a sanitizer's in front of it).
#define REAL(name)                                                                                 \
    static __typeof__(&name) real_##name;                                                          \
    if (!real_##name) real_##name = (__typeof__(&name))dlsym(RTLD_NEXT, #name)

static ssize_t writeRaw(int fd, const void* data, size_t size) {
    REAL(write);
    const char* p = data;
    while (size > 0) {
        const ssize_t n = real_write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return -1;
        p += n;
        size -= (size_t)n;
    }
    return 0;
}

static void record(const char* kind, int fd, long long number, const char* a, const char* b,
                   const void* data, size_t size) {
    if (logFd < 0) return;
    const int saved = errno;
    if (!a) a = "";
    if (!b) b = "";
    char head[160];
    const int n = snprintf(head, sizeof head, "%s %d %lld %zu %zu %zu\n", kind, fd, number,
                           strlen(a), strlen(b), size);
    pthread_mutex_lock(&logLock);
    writeRaw(logFd, head, (size_t)n);
    writeRaw(logFd, a, strlen(a));
    writeRaw(logFd, b, strlen(b));
    writeRaw(logFd, data, size);
    pthread_mutex_unlock(&logLock);
    errno = saved;
}

// Called before a call under the root that changes the disk or waits for it.
static void count(void) {
    if (killAt <= 0 || !begun) return;
    if (__atomic_add_fetch(&counted, 1, __ATOMIC_SEQ_CST) == killAt) kill(getpid(), SIGKILL);
}

__attribute__((constructor)) static void start(void) {
    const char* r = getenv("TALLIVANT_CALLS_ROOT");
    if (!r || !*r) return;
    root = strdup(r);
    rootLength = strlen(root);
    while (rootLength > 1 && root[rootLength - 1] == '/')
        root[--rootLength] = '\0';
    const char* k = getenv("TALLIVANT_CALLS_KILL_AT");
    if (k) killAt = atol(k);
    const char* log = getenv("TALLIVANT_CALLS_LOG");
    if (log && *log) {
        REAL(open);
        logFd = real_open(log, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
    }
}

// The driver's way to say where it is ("begin", "synced 3"), looked up with dlsym.
void tallivant_calls_mark(const char* text) {
    if (strcmp(text, "begin") == 0) begun = 1;
    record("mark", -1, 0, text, NULL, NULL, 0);
}

static const char* fdPath(int fd) {
    return fd >= 0 && fd < MAX_FDS ? fdPaths[fd] : NULL;
}

// The absolute path, without "." and ".." and doubled slashes, of `path` taken from the folder
// `dirfd`; NULL unless it lies under the root.
static char* underRoot(int dirfd, const char* path) {
    if (!root || !path) return NULL;
    char base[PATH_MAX] = "";
    if (path[0] != '/') {
        if (dirfd == AT_FDCWD) {
            if (!getcwd(base, sizeof base)) return NULL;
        } else if (fdPath(dirfd)) {
            snprintf(base, sizeof base, "%s", fdPath(dirfd));
        } else {
            char link[64];
            snprintf(link, sizeof link, "/proc/self/fd/%d", dirfd);
            const ssize_t n = readlink(link, base, sizeof base - 1);
            if (n < 0) return NULL;
            base[n] = '\0';
        }
    }
    const size_t total = strlen(base) + strlen(path) + 2;
    char* joined = malloc(total);
    char* out = malloc(total);
    if (!joined || !out) {
        free(joined);
        free(out);
        return NULL;
    }
    snprintf(joined, total, "%s/%s", base, path);
    size_t length = 0;
    char* rest = NULL;
    for (char* segment = strtok_r(joined, "/", &rest); segment;
         segment = strtok_r(NULL, "/", &rest)) {
        if (strcmp(segment, ".") == 0) continue;
        if (strcmp(segment, "..") == 0) {
            while (length > 0 && out[--length] != '/') {
            }
            continue;
        }
        out[length++] = '/';
        strcpy(out + length, segment);
        length += strlen(segment);
    }
    if (length == 0) out[length++] = '/';
    out[length] = '\0';
    free(joined);
    if (strncmp(out, root, rootLength) == 0 && (out[rootLength] == '\0' || out[rootLength] == '/'))
        return out;
    free(out);
    return NULL;
}

// A descriptor was opened at `path` (NULL: outside the root); an earlier one of that number may
// have been closed where we could not see it (closedir, fclose).
static int opened(int fd, char* path, int flags) {
    if (fd < 0) {
        free(path);
        return fd;
    }
    if (fd < MAX_FDS) {
        free(fdPaths[fd]);
        fdPaths[fd] = path;
    }
    if (path) {
        if (fd >= MAX_FDS)
            record("unsupported", fd, 0, "descriptor beyond the table", path, NULL, 0);
        record("open", fd, flags, path, NULL, NULL, 0);
        if (fd >= MAX_FDS) free(path);
    }
    return fd;
}

static int changes(int flags) {
    return (flags & (O_CREAT | O_TRUNC)) != 0;
}

static int openFrom(int dirfd, const char* path, int flags, mode_t mode) {
    REAL(openat);
    char* p = underRoot(dirfd, path);
    if (p && changes(flags)) count();
    return opened(real_openat(dirfd, path, flags, mode), p, flags);
}

#define MODE_ARG(flags)                                                                            \
    mode_t mode = 0;                                                                               \
    if ((flags) & (O_CREAT | O_TMPFILE)) {                                                         \
        va_list args;                                                                              \
        va_start(args, flags);                                                                     \
        mode = va_arg(args, mode_t);                                                               \
        va_end(args);                                                                              \
    }

int open(const char* path, int flags, ...) {
    MODE_ARG(flags);
    return openFrom(AT_FDCWD, path, flags, mode);
}
int open64(const char* path, int flags, ...) {
    MODE_ARG(flags);
    return openFrom(AT_FDCWD, path, flags, mode);
}
int openat(int dirfd, const char* path, int flags, ...) {
    MODE_ARG(flags);
    return openFrom(dirfd, path, flags, mode);
}
int openat64(int dirfd, const char* path, int flags, ...) {
    MODE_ARG(flags);
    return openFrom(dirfd, path, flags, mode);
}
int __open_2(const char* path, int flags) {
    return openFrom(AT_FDCWD, path, flags, 0);
}
int __open64_2(const char* path, int flags) {
    return openFrom(AT_FDCWD, path, flags, 0);
}
int __openat_2(int dirfd, const char* path, int flags) {
    return openFrom(dirfd, path, flags, 0);
}
int __openat64_2(int dirfd, const char* path, int flags) {
    return openFrom(dirfd, path, flags, 0);
}
int creat(const char* path, mode_t mode) {
    return openFrom(AT_FDCWD, path, O_WRONLY | O_CREAT | O_TRUNC, mode);
}
int creat64(const char* path, mode_t mode) {
    return openFrom(AT_FDCWD, path, O_WRONLY | O_CREAT | O_TRUNC, mode);
}

// mkstemp opens its file inside glibc, where no interposed open() sees it.
#define TEMP_FILE(name, params, args, flags)                                                       \
    int name params {                                                                              \
        REAL(name);                                                                                \
        char* p = underRoot(AT_FDCWD, path);                                                       \
        if (p) count();                                                                            \
        free(p);                                                                                   \
        const int fd = real_##name args;                                                           \
        return opened(fd, fd >= 0 ? underRoot(AT_FDCWD, path) : NULL,                              \
                      O_RDWR | O_CREAT | O_EXCL | (flags));                                        \
    }
TEMP_FILE(mkstemp, (char* path), (path), 0)
TEMP_FILE(mkstemp64, (char* path), (path), 0)
TEMP_FILE(mkostemp, (char* path, int f), (path, f), f)
TEMP_FILE(mkostemp64, (char* path, int f), (path, f), f)
TEMP_FILE(mkstemps, (char* path, int s), (path, s), 0)
TEMP_FILE(mkstemps64, (char* path, int s), (path, s), 0)
TEMP_FILE(mkostemps, (char* path, int s, int f), (path, s, f), f)
TEMP_FILE(mkostemps64, (char* path, int s, int f), (path, s, f), f)

// Writes through stdio happen inside glibc: a stream opened for writing under the root could not
// be replayed, so it is reported rather than missed.
FILE* fopen(const char* path, const char* how) {
    REAL(fopen);
    char* p = strpbrk(how, "wa+") ? underRoot(AT_FDCWD, path) : NULL;
    if (p) record("unsupported", -1, 0, "fopen for writing", p, NULL, 0);
    free(p);
    return real_fopen(path, how);
}
FILE* fopen64(const char* path, const char* how) {
    REAL(fopen64);
    char* p = strpbrk(how, "wa+") ? underRoot(AT_FDCWD, path) : NULL;
    if (p) record("unsupported", -1, 0, "fopen for writing", p, NULL, 0);
    free(p);
    return real_fopen64(path, how);
}

static void wrote(int fd, const void* data, ssize_t n, long long offset) {
    if (n > 0) record("write", fd, offset, fdPath(fd), NULL, data, (size_t)n);
}

ssize_t write(int fd, const void* data, size_t size) {
    REAL(write);
    if (!fdPath(fd)) return real_write(fd, data, size);
    count();
    const ssize_t n = real_write(fd, data, size);
    // Where the bytes went, also for a file opened to append.
    if (n > 0) wrote(fd, data, n, (long long)lseek(fd, 0, SEEK_CUR) - n);
    return n;
}
ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    REAL(pwrite);
    if (fdPath(fd)) count();
    const ssize_t n = real_pwrite(fd, data, size, offset);
    if (fdPath(fd)) wrote(fd, data, n, (long long)offset);
    return n;
}
ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset) {
    REAL(pwrite64);
    if (fdPath(fd)) count();
    const ssize_t n = real_pwrite64(fd, data, size, offset);
    if (fdPath(fd)) wrote(fd, data, n, (long long)offset);
    return n;
}
ssize_t writev(int fd, const struct iovec* pieces, int pieceCount) {
    REAL(writev);
    if (!fdPath(fd)) return real_writev(fd, pieces, pieceCount);
    count();
    const ssize_t n = real_writev(fd, pieces, pieceCount);
    if (n <= 0) return n;
    char* joined = malloc((size_t)n);
    if (!joined) abort();
    size_t at = 0;
    for (int i = 0; i < pieceCount && at < (size_t)n; ++i) {
        const size_t take = pieces[i].iov_len < (size_t)n - at ? pieces[i].iov_len : (size_t)n - at;
        memcpy(joined + at, pieces[i].iov_base, take);
        at += take;
    }
    wrote(fd, joined, n, (long long)lseek(fd, 0, SEEK_CUR) - n);
    free(joined);
    return n;
}

// Copies inside the kernel: their bytes never pass through here.
ssize_t sendfile(int out, int in, off_t* offset, size_t size) {
    REAL(sendfile);
    if (fdPath(out)) record("unsupported", out, 0, "sendfile", fdPath(out), NULL, 0);
    return real_sendfile(out, in, offset, size);
}
ssize_t copy_file_range(int in, off64_t* inOffset, int out, off64_t* outOffset, size_t size,
                        unsigned flags) {
    REAL(copy_file_range);
    if (fdPath(out)) record("unsupported", out, 0, "copy_file_range", fdPath(out), NULL, 0);
    return real_copy_file_range(in, inOffset, out, outOffset, size, flags);
}

int ftruncate(int fd, off_t length) {
    REAL(ftruncate);
    if (fdPath(fd)) count();
    const int r = real_ftruncate(fd, length);
    if (r == 0 && fdPath(fd)) record("truncate", fd, (long long)length, fdPath(fd), NULL, NULL, 0);
    return r;
}
int ftruncate64(int fd, off64_t length) {
    REAL(ftruncate64);
    if (fdPath(fd)) count();
    const int r = real_ftruncate64(fd, length);
    if (r == 0 && fdPath(fd)) record("truncate", fd, (long long)length, fdPath(fd), NULL, NULL, 0);
    return r;
}
int truncate(const char* path, off_t length) {
    REAL(truncate);
    char* p = underRoot(AT_FDCWD, path);
    if (p) count();
    const int r = real_truncate(path, length);
    if (r == 0 && p) record("truncate", -1, (long long)length, p, NULL, NULL, 0);
    free(p);
    return r;
}

int fsync(int fd) {
    REAL(fsync);
    if (fdPath(fd)) count();
    const int r = real_fsync(fd);
    if (r == 0 && fdPath(fd)) record("fsync", fd, 0, fdPath(fd), NULL, NULL, 0);
    return r;
}
int fdatasync(int fd) {
    REAL(fdatasync);
    if (fdPath(fd)) count();
    const int r = real_fdatasync(fd);
    if (r == 0 && fdPath(fd)) record("fsync", fd, 0, fdPath(fd), NULL, NULL, 0);
    return r;
}

int close(int fd) {
    REAL(close);
    char* p = fd >= 0 && fd < MAX_FDS ? fdPaths[fd] : NULL;
    if (p) fdPaths[fd] = NULL;
    const int r = real_close(fd);
    if (p) record("close", fd, 0, p, NULL, NULL, 0);
    free(p);
    return r;
}

// A call on two names: recorded when both lie under the root, refused by the explorer when one
// only does (a file moved in or out of what it replays).
static void twoNames(const char* kind, int result, char* a, char* b) {
    if (result == 0 && a && b)
        record(kind, -1, 0, a, b, NULL, 0);
    else if (result == 0 && (a || b))
        record("unsupported", -1, 0, kind, a ? a : b, NULL, 0);
    free(a);
    free(b);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    REAL(renameat2);
    char* a = underRoot(fromDir, from);
    char* b = underRoot(toDir, to);
    if (a || b) count();
    const int r = real_renameat2(fromDir, from, toDir, to, flags);
    twoNames(flags & RENAME_EXCHANGE ? "exchange" : "rename", r, a, b);
    return r;
}
int renameat(int fromDir, const char* from, int toDir, const char* to) {
    REAL(renameat);
    char* a = underRoot(fromDir, from);
    char* b = underRoot(toDir, to);
    if (a || b) count();
    const int r = real_renameat(fromDir, from, toDir, to);
    twoNames("rename", r, a, b);
    return r;
}
int rename(const char* from, const char* to) {
    REAL(rename);
    char* a = underRoot(AT_FDCWD, from);
    char* b = underRoot(AT_FDCWD, to);
    if (a || b) count();
    const int r = real_rename(from, to);
    twoNames("rename", r, a, b);
    return r;
}
int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    REAL(linkat);
    char* a = underRoot(fromDir, from);
    char* b = underRoot(toDir, to);
    if (a || b) count();
    const int r = real_linkat(fromDir, from, toDir, to, flags);
    twoNames("link", r, a, b);
    return r;
}
int link(const char* from, const char* to) {
    REAL(link);
    char* a = underRoot(AT_FDCWD, from);
    char* b = underRoot(AT_FDCWD, to);
    if (a || b) count();
    const int r = real_link(from, to);
    twoNames("link", r, a, b);
    return r;
}
int symlink(const char* target, const char* path) {
    REAL(symlink);
    char* p = underRoot(AT_FDCWD, path);
    const int r = real_symlink(target, path);
    if (r == 0 && p) record("unsupported", -1, 0, "symlink", p, NULL, 0);
    free(p);
    return r;
}

// A call on one name.
static int oneName(const char* kind, int result, char* path) {
    if (result == 0 && path) record(kind, -1, 0, path, NULL, NULL, 0);
    free(path);
    return result;
}

int unlinkat(int dirfd, const char* path, int flags) {
    REAL(unlinkat);
    char* p = underRoot(dirfd, path);
    if (p) count();
    return oneName(flags & AT_REMOVEDIR ? "rmdir" : "unlink", real_unlinkat(dirfd, path, flags), p);
}
int unlink(const char* path) {
    REAL(unlink);
    char* p = underRoot(AT_FDCWD, path);
    if (p) count();
    return oneName("unlink", real_unlink(path), p);
}
int rmdir(const char* path) {
    REAL(rmdir);
    char* p = underRoot(AT_FDCWD, path);
    if (p) count();
    return oneName("rmdir", real_rmdir(path), p);
}
// std::filesystem::remove calls remove(), which unlinks or removes a folder inside glibc.
int remove(const char* path) {
    REAL(remove);
    char* p = underRoot(AT_FDCWD, path);
    struct stat st;
    const int folder = p && lstat(path, &st) == 0 && S_ISDIR(st.st_mode);
    if (p) count();
    return oneName(folder ? "rmdir" : "unlink", real_remove(path), p);
}

int mkdirat(int dirfd, const char* path, mode_t mode) {
    REAL(mkdirat);
    char* p = underRoot(dirfd, path);
    if (p) count();
    return oneName("mkdir", real_mkdirat(dirfd, path, mode), p);
}
int mkdir(const char* path, mode_t mode) {
    REAL(mkdir);
    char* p = underRoot(AT_FDCWD, path);
    if (p) count();
    return oneName("mkdir", real_mkdir(path, mode), p);
}
