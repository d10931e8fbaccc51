@echo off
echo Sample customer-name script: the real product asks for the customer here.
pause
