// The smallest program that does what a plain conversion must do: load a PCX with FreeImage and
// save it as JPEG with the default save flags. The benchmark measures lumadex against it.
#include <FreeImage.h>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) { std::fprintf(stderr, "usage: fi_baseline in.pcx out.jpg\n"); return 2; }
    FIBITMAP* bitmap = FreeImage_Load(FIF_PCX, argv[1], 0);
    if (!bitmap) return 1;
    const bool ok = FreeImage_Save(FIF_JPEG, bitmap, argv[2], 95 | JPEG_SUBSAMPLING_444);
    FreeImage_Unload(bitmap);
    return ok ? 0 : 1;
}
