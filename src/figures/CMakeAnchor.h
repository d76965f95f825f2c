#pragma once
// Keeps the figures library a valid target while the folder has no sources of its own.
