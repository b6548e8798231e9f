# Sources of ui/: see the top-level CMakeLists.txt for the three groups.
