@echo off
echo Sample install script: the real product installs itself here.
echo Current folder: %CD%
pause
