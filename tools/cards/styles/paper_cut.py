"""Placeholder until the style is written."""

from styles.star_chart import Style  # noqa: F401
