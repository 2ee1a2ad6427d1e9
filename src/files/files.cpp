// Side files: shared pieces live beside their users.
