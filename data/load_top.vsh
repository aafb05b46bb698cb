<html></html>
