"""Nami: moonlight on rippled water, the ground behind the card."""
import numpy as np
from PIL import Image

from palette import CREAM, GOLD_LIGHT, NIGHT, TEAL, mix
from raster import blur

SIZE = (348, 508)


def water_colour(height):
    """Per-row colour of the water: deep night at the top, teal below."""
    t = np.linspace(0.0, 1.0, height)[:, None]
    top = np.array(mix(NIGHT, (8, 10, 30), 0.35), np.float32)
    middle = np.array(mix(NIGHT, TEAL, 0.55), np.float32)
    low = np.array(mix(TEAL, (10, 30, 40), 0.35), np.float32)
    upper = top + (middle - top) * np.clip(t / 0.55, 0, 1)
    return np.where(t < 0.55, upper, middle + (low - middle) * np.clip((t - 0.55) / 0.45, 0, 1))


def ripples(width, height, rng):
    """0..1 crest strength: bands that widen towards the bottom, as water seen at a slant."""
    ys, xs = np.mgrid[0:height, 0:width].astype(np.float32)
    depth = 0.25 + 0.75 * ys / height
    bands = 34.0 * (ys / height) ** 0.7
    wobble = (0.9 * np.sin(xs * 0.031 / depth + 0.9)
              + 0.45 * np.sin(xs * 0.083 / depth + 2.3 + ys * 0.05))
    wave = np.sin(2 * np.pi * bands + wobble + 2.5 * stretched_noise(width, height, rng, 40, 6))
    breaks = np.clip(stretched_noise(width, height, rng, 18, 3) * 2.6 - 0.9, 0, 1)
    return np.clip(wave, 0, 1) ** 4 * breaks, depth


def stretched_noise(width, height, rng, cell_w, cell_h):
    """Smooth 0..1 noise whose blobs are cell_w wide and cell_h high."""
    small = rng.random((height // cell_h + 2, width // cell_w + 2)).astype(np.float32)
    image = Image.fromarray((small * 255).astype(np.uint8), "L")
    image = image.resize((width + 2 * cell_w, height + 2 * cell_h), Image.BICUBIC)
    return np.asarray(image, np.float32)[cell_h:cell_h + height, cell_w:cell_w + width] / 255.0


def make_nami(seed=11):
    """The picture as an RGB uint8 array (508 rows of 348)."""
    rng = np.random.default_rng(seed)
    width, height = SIZE
    image = np.repeat(water_colour(height)[:, None, :], width, axis=1)
    crest, depth = ripples(width, height, rng)
    xs = np.arange(width, dtype=np.float32)[None, :]
    centre = width / 2.0
    column = np.exp(-((xs - centre) / (14.0 + 60.0 * depth)) ** 2)
    column *= 0.55 + 0.45 * np.sin(np.linspace(0.2, 3.0, height))[:, None]
    glitter = crest * (0.10 + 0.95 * column)
    image += glitter[..., None] * (np.array(CREAM, np.float32) - image) * 0.85
    # A faint breath of moonlight over the whole surface.
    haze = blur(column * 0.35, 6.0)
    image += haze[..., None] * np.array(mix(TEAL, CREAM, 0.3), np.float32) * 0.25
    # Single glints where the moon's path breaks on the crests.
    ys, xs_ = np.nonzero((crest > 0.85) & (column > 0.45) & (rng.random(crest.shape) < 0.02))
    glints = np.zeros(crest.shape, np.float32)
    glints[ys, xs_] = 1.0
    glow = np.maximum(glints, blur(glints, 1.2) * 3.0)
    image += glow[..., None] * (np.array(GOLD_LIGHT, np.float32) - image).clip(0) * 0.9
    return np.clip(np.rint(image), 0, 255).astype(np.uint8)
