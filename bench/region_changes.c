/* How often a region of a window changes: reads it from the X server every
 * 4 ms for a number of seconds and counts the reads that differ from the
 * one before. A text changing every 18 ms is counted whole; one changing
 * more often than every 4 ms would be undercounted.
 *
 * Usage: region_changes WINDOW X Y WIDTH HEIGHT SECONDS
 * Prints "changes_per_s N". */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

int main(int argc, char** argv)
{
    if (argc != 7) {
        fprintf(stderr, "usage: %s WINDOW X Y WIDTH HEIGHT SECONDS\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "no X display\n");
        return 1;
    }
    const Window window = strtoul(argv[1], NULL, 0);
    const int x = atoi(argv[2]), y = atoi(argv[3]), width = atoi(argv[4]), height = atoi(argv[5]);
    const double seconds = atof(argv[6]);
    const size_t size = (size_t)width * height * 4;
    unsigned char* last = calloc(1, size);
    unsigned char* pixels = calloc(1, size);
    long changes = -1; /* the first read is no change */
    const double end = now() + seconds;
    while (now() < end) {
        XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
        if (!image) {
            fprintf(stderr, "the region cannot be read\n");
            return 1;
        }
        for (int row = 0; row < height; ++row)
            memcpy(pixels + (size_t)row * width * 4, image->data + (size_t)row * image->bytes_per_line,
                   (size_t)width * 4);
        XDestroyImage(image);
        if (memcmp(pixels, last, size) != 0) {
            ++changes;
            memcpy(last, pixels, size);
        }
        const struct timespec pause = {0, 4000000};
        nanosleep(&pause, NULL);
    }
    printf("changes_per_s %.1f\n", (changes < 0 ? 0 : changes) / seconds);
    XCloseDisplay(display);
    return 0;
}
