# Sources of shell/: see the top-level CMakeLists.txt for the three groups.
