"""Where the parts of a card sit on its 340 x 500 picture (pixels, y downwards)."""

CARD_WIDTH, CARD_HEIGHT = 340, 500
CARD_CENTRE_X = CARD_WIDTH / 2

# The ornamental border runs between the picture edge and the field.
FIELD_INSET = 20
FIELD = (FIELD_INSET, FIELD_INSET, CARD_WIDTH - 2 * FIELD_INSET, CARD_HEIGHT - 2 * FIELD_INSET)

# The number plate at the top.
PLATE_CENTRE = (CARD_CENTRE_X, 50)
PLATE_HEIGHT = 32

# The central emblem is drawn in its own space, x -100..100 and y -110..110,
# scaled and moved to the middle of the card.
EMBLEM_CENTRE = (CARD_CENTRE_X, 236)
EMBLEM_SCALE = 1.28
EMBLEM_HALF_WIDTH, EMBLEM_HALF_HEIGHT = 100, 110

# The title banner at the bottom.
BANNER_CENTRE = (CARD_CENTRE_X, 432)
BANNER_WIDTH, BANNER_HEIGHT = 232, 40

# Thumbnails of the index pages.
THUMB_WIDTH, THUMB_HEIGHT = 46, 68
