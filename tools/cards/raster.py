"""Pixel-level helpers: cairo surfaces as numpy arrays, masks, blur, noise and JPEG output."""

import cairo
import numpy as np
from PIL import Image

from layout import CARD_HEIGHT, CARD_WIDTH

JPEG_QUALITY = 90


def new_card_surface(width=CARD_WIDTH, height=CARD_HEIGHT) -> cairo.ImageSurface:
    return cairo.ImageSurface(cairo.FORMAT_RGB24, width, height)


def surface_to_rgb(surface: cairo.ImageSurface) -> np.ndarray:
    """H x W x 3 float array, 0..1."""
    surface.flush()
    h, w = surface.get_height(), surface.get_width()
    data = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8, surface.get_data())[:, :w]
    return data[:, :, 2::-1].astype(np.float32) / 255


def rgb_to_surface(rgb: np.ndarray, surface: cairo.ImageSurface) -> None:
    """Writes an H x W x 3 float array (0..1) into an RGB24 surface of the same size."""
    surface.flush()
    h, w = rgb.shape[:2]
    data = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8, surface.get_data())[:, :w]
    data[:, :, 2::-1] = np.clip(rgb * 255 + 0.5, 0, 255).astype(np.uint8)
    surface.mark_dirty()


def alpha_mask(width: int, height: int, draw) -> np.ndarray:
    """H x W float coverage (0..1) of whatever draw(ctx) fills or strokes in opaque colour."""
    surface = cairo.ImageSurface(cairo.FORMAT_A8, width, height)
    ctx = cairo.Context(surface)
    draw(ctx)
    surface.flush()
    data = np.ndarray((height, surface.get_stride()), np.uint8, surface.get_data())[:, :width]
    return data.astype(np.float32) / 255


def box_blur(values: np.ndarray, radius: int, passes: int = 3) -> np.ndarray:
    """A near-Gaussian blur of a 2-D array: repeated box filters along both axes."""
    if radius < 1:
        return values
    result = values.astype(np.float32)
    for _ in range(passes):
        for axis in (0, 1):
            padded = np.pad(result, [(radius + 1, radius) if a == axis else (0, 0) for a in range(2)], mode="edge")
            summed = np.cumsum(padded, axis=axis)
            upper = np.take(summed, range(2 * radius + 1, summed.shape[axis]), axis=axis)
            lower = np.take(summed, range(0, summed.shape[axis] - 2 * radius - 1), axis=axis)
            result = (upper - lower) / (2 * radius + 1)
    return result


def value_noise(height: int, width: int, cell, rng: np.random.Generator) -> np.ndarray:
    """Smooth noise in 0..1 whose features are about cell pixels across; cell may be a
    (height, width) pair for streaky noise such as wood grain."""
    cell_y, cell_x = cell if isinstance(cell, tuple) else (cell, cell)
    grid = rng.random((int(height / cell_y) + 3, int(width / cell_x) + 3)).astype(np.float32)
    size = (int(grid.shape[1] * cell_x), int(grid.shape[0] * cell_y))
    image = Image.fromarray(grid, mode="F").resize(size, Image.BICUBIC)
    top, left = int(cell_y), int(cell_x)
    noise = np.asarray(image)[top:top + height, left:left + width]
    return np.clip(noise, 0, 1)


def blend(base: np.ndarray, colour, alpha: np.ndarray) -> np.ndarray:
    """base with colour (0-255 RGB) laid over it at per-pixel alpha."""
    c = np.asarray(colour, np.float32) / 255
    a = np.clip(alpha, 0, 1)[:, :, None]
    return base * (1 - a) + c * a


def save_jpeg(surface: cairo.ImageSurface, path) -> None:
    rgb = surface_to_rgb(surface)
    image = Image.fromarray(np.clip(rgb * 255 + 0.5, 0, 255).astype(np.uint8), "RGB")
    image.save(path, "JPEG", quality=JPEG_QUALITY, subsampling=0, optimize=False, progressive=False)


def surface_to_image(surface: cairo.ImageSurface) -> Image.Image:
    rgb = surface_to_rgb(surface)
    return Image.fromarray(np.clip(rgb * 255 + 0.5, 0, 255).astype(np.uint8), "RGB")
