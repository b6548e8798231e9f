# Sources of music/: see the top-level CMakeLists.txt for the three groups.
